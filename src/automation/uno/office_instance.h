#pragma once
// One private headless office for one scorer call: its own profile in a temporary folder, its own pipe,
// no window, no recovery. Every path ends it: the destructor closes the documents, asks the office to
// quit, kills it when it does not, and removes the profile. A watchdog bounds every call: an office that
// does not answer in time is killed, and the pending call fails with AutomationError, as does a call
// into an office process that has crashed.
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "automation/automation_error.h"

namespace office = ::com::sun::star;

struct OfficeOptions {
  int startMilliseconds = 60000;  // spawn to connected, a loaded machine included
  int callMilliseconds = 30000;   // one call into the office, loading a document included
};

class OfficeInstance {
 public:
  // Nullptr when the office is not installed or does not come up in time; nothing is left running.
  static std::unique_ptr<OfficeInstance> Start(const OfficeOptions& options = {});
  ~OfficeInstance();
  OfficeInstance(const OfficeInstance&) = delete;
  OfficeInstance& operator=(const OfficeInstance&) = delete;

  // Loads a copy of the file (an inside path) hidden and read-only, without macros, so that the file
  // itself is never opened, locked or written. `acceptedFilters` are the prefixes of the import filter
  // names that make the file a document of the expected kind; any other file raises AutomationError.
  office::uno::Reference<office::lang::XComponent> Load(const std::string& path,
                                                        const std::vector<std::string_view>& acceptedFilters);

  // Closes one loaded document, or all of them, without saving.
  void Close(const office::uno::Reference<office::lang::XComponent>& document);
  void CloseDocuments();

  // Runs one call into the office under the watchdog; office exceptions become AutomationError.
  template <typename Call>
  auto Guarded(Call call) -> decltype(call()) {
    Arm();
    try {
      if constexpr (std::is_void_v<decltype(call())>) {
        call();
        Disarm();
      } else {
        auto result = call();
        Disarm();
        return result;
      }
    } catch (const office::lang::DisposedException& error) {
      Disarm();
      throw Failure(error.Message, true);
    } catch (const office::uno::Exception& error) {
      Disarm();
      throw Failure(error.Message, false);
    } catch (...) {
      Disarm();
      throw;
    }
  }

  int Pid() const { return pid_; }

 private:
  OfficeInstance(const OfficeOptions& options, std::string profile);
  bool Launch();
  bool Connect();
  void Shutdown();
  void Arm();
  void Disarm();
  void Watch();
  AutomationError Failure(const rtl::OUString& message, bool connectionLost);

  OfficeOptions options_;
  std::string profile_;
  std::string pipe_;
  int pid_ = -1;
  office::uno::Reference<office::frame::XDesktop2> desktop_;
  std::vector<office::uno::Reference<office::lang::XComponent>> documents_;
  int copies_ = 0;

  std::mutex mutex_;
  std::condition_variable wake_;
  bool armed_ = false;
  bool stopping_ = false;
  bool hung_ = false;
  std::chrono::steady_clock::time_point deadline_;
  std::thread watchdog_;
};
