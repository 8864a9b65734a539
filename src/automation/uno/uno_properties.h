#pragma once
// Reading properties of office objects. A property the object does not have raises the office's
// UnknownPropertyException, which OfficeInstance::Guarded turns into AutomationError.
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/TypeClass.hpp>

#include "automation/uno/office_instance.h"

template <typename Value>
Value Property(const office::uno::Reference<office::beans::XPropertySet>& object, const char* name) {
  Value value{};
  object->getPropertyValue(rtl::OUString::createFromAscii(name)) >>= value;
  return value;
}

// An integer property, also one the office types as an enumeration.
inline int IntProperty(const office::uno::Reference<office::beans::XPropertySet>& object, const char* name) {
  office::uno::Any value = object->getPropertyValue(rtl::OUString::createFromAscii(name));
  if (value.getValueTypeClass() == office::uno::TypeClass_ENUM) return *static_cast<const sal_Int32*>(value.getValue());
  sal_Int32 number = 0;
  value >>= number;
  return number;
}

template <typename Value, typename Interface>
Value Property(const office::uno::Reference<Interface>& object, const char* name) {
  return Property<Value>(office::uno::Reference<office::beans::XPropertySet>(object, office::uno::UNO_QUERY_THROW),
                         name);
}

// The shared state of one office session: every object of the session holds it, and a call after the
// session's office has ended raises AutomationError instead of touching a dead bridge.
struct UnoApplication {
  std::unique_ptr<OfficeInstance> office;

  template <typename Call>
  auto Guarded(Call call) -> decltype(call()) {
    if (!office) throw AutomationError("the office has quit");
    return office->Guarded(call);
  }
};
