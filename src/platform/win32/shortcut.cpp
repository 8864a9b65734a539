#include "platform/shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "platform/codepage.h"

bool ResolveShortcut(const std::string& linkPath, std::string& target) {
  bool loaded = false;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::u16string wide = AnsiToUtf16(linkPath);
      if (SUCCEEDED(file->Load(reinterpret_cast<LPCOLESTR>(wide.c_str()), STGM_READ))) {
        char buffer[MAX_PATH] = {};
        link->GetPath(buffer, MAX_PATH, nullptr, 0);
        target = buffer;
        loaded = true;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return loaded;
}
