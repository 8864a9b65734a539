#include "platform/recycle_bin.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "platform/codepage.h"

namespace {

// The item's normal display name in the ANSI code page.
std::string DisplayName(IShellFolder* bin, LPCITEMIDLIST item) {
  STRRET value;
  if (FAILED(bin->GetDisplayNameOf(item, SHGDN_NORMAL, &value))) return std::string();
  switch (value.uType) {
    case STRRET_WSTR: {
      std::string text = Utf16ToAnsi(reinterpret_cast<const char16_t*>(value.pOleStr));
      CoTaskMemFree(value.pOleStr);
      return text;
    }
    case STRRET_OFFSET:
      return reinterpret_cast<const char*>(item) + value.uOffset;
    default:
      return value.cStr;
  }
}

bool FolderHolds(IShellFolder* bin, const std::string& name) {
  IEnumIDList* items = nullptr;
  if (bin->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &items) != S_OK)
    return false;
  bool found = false;
  LPITEMIDLIST item = nullptr;
  while (!found && items->Next(1, &item, nullptr) == S_OK) {
    found = DisplayName(bin, item) == name;
    CoTaskMemFree(item);
  }
  items->Release();
  return found;
}

}  // namespace

bool IsInRecycleBin(const std::string& name) {
  bool found = false;
  CoInitialize(nullptr);
  IShellFolder* desktop = nullptr;
  LPITEMIDLIST binLocation = nullptr;
  if (SUCCEEDED(SHGetDesktopFolder(&desktop))) {
    if (SUCCEEDED(SHGetFolderLocation(nullptr, CSIDL_BITBUCKET, nullptr, 0, &binLocation))) {
      IShellFolder* bin = nullptr;
      if (SUCCEEDED(desktop->BindToObject(binLocation, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&bin)))) {
        found = FolderHolds(bin, name);
        bin->Release();
      }
      CoTaskMemFree(binLocation);
    }
    desktop->Release();
  }
  CoUninitialize();
  return found;
}
