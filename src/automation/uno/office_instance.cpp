#include "automation/uno/office_instance.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <filesystem>
#include <fstream>
#include <random>
#include <rtl/bootstrap.hxx>
#include <sstream>

#include "automation/uno/uno_text.h"
#include "platform/files.h"
#include "platform/office_process.h"

using office::uno::Reference;
using office::uno::UNO_QUERY;
using office::uno::UNO_QUERY_THROW;

namespace {

const std::string kProgramFolder = LIBREOFFICE_PROGRAM;
constexpr int kNewProfileExit = 81;  // the office made its profile and wants to be started again
constexpr int kEndMilliseconds = 1500;  // the longest an office may take to end on its own

// The client's own component context, made once per program and never destroyed: the UNO runtime cannot
// be torn down safely while a program ends. It must know the office's types, or the first remote call
// crashes in the bridge.
Reference<office::uno::XComponentContext> ClientContext() {
  static auto* context = [] {
    rtl::Bootstrap::set("URE_BOOTSTRAP", Utf8ToOUString("vnd.sun.star.pathname:" + kProgramFolder + "/fundamentalrc"));
    return new Reference<office::uno::XComponentContext>(cppu::defaultBootstrap_InitialComponentContext());
  }();
  return *context;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text between `before` (searched from `after`) and `end`, or empty.
std::string Between(const std::string& text, const std::string& after, const std::string& before,
                    const std::string& end) {
  size_t start = text.find(before, text.find(after) == std::string::npos ? text.size() : text.find(after));
  if (start == std::string::npos) return std::string();
  start += before.size();
  size_t stop = text.find(end, start);
  return stop == std::string::npos ? std::string() : text.substr(start, stop - start);
}

// A private profile made ready for a quick start. The office runs its graphics self-tests on the first
// start of every version, and restarts itself once after creating a new profile; a profile that already
// names the installed version (in the configuration) and build (beside the extensions) does neither: a
// cold start drops from seconds to a fraction of one.
void SeedProfile(const std::string& profile) {
  std::filesystem::create_directories(profile + "/user/extensions");
  std::filesystem::create_directories(profile + "/tmp");  // the office's own temporary files
  std::string version = Between(FileText(kProgramFolder + "/../share/registry/main.xcd"),
                                "<prop oor:name=\"ooSetupVersion\">", "<value>", "</value>");
  std::string build = Between(FileText(kProgramFolder + "/versionrc"), "[Version]", "buildid=", "\n");
  std::ofstream(profile + "/user/extensions/buildid") << build;
  std::ofstream(profile + "/user/registrymodifications.xcu")
      << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
         "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
         "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" oor:op=\"fuse\">"
         "<value>"
      << version
      << "</value></prop></item>\n"
         "<item oor:path=\"/org.openoffice.Office.Recovery/AutoSave\"><prop oor:name=\"Enabled\" oor:op=\"fuse\">"
         "<value>false</value></prop></item>\n"
         "</oor:items>\n";
}

std::string UniquePipeName() {
  static std::atomic<int> counter{0};
  std::random_device random;
  return "examhost_" + std::to_string(random()) + "_" + std::to_string(counter++);
}

office::beans::PropertyValue Property(const char* name, const office::uno::Any& value) {
  office::beans::PropertyValue property;
  property.Name = rtl::OUString::createFromAscii(name);
  property.Value = value;
  return property;
}

std::string FilterOf(const Reference<office::lang::XComponent>& document) {
  Reference<office::frame::XModel> model(document, UNO_QUERY);
  if (!model.is()) return std::string();
  const office::uno::Sequence<office::beans::PropertyValue> args = model->getArgs();
  for (const office::beans::PropertyValue& arg : args) {
    rtl::OUString filter;
    if (arg.Name == "FilterName" && (arg.Value >>= filter)) return OUStringToUtf8(filter);
  }
  return std::string();
}

void CloseDocument(const Reference<office::lang::XComponent>& document) {
  Reference<office::util::XCloseable> closeable(document, UNO_QUERY);
  if (closeable.is())
    closeable->close(true);
  else
    document->dispose();
}

}  // namespace

std::unique_ptr<OfficeInstance> OfficeInstance::Start(const OfficeOptions& options) {
  std::string profile = CreatePrivateFolder("examhost-office");
  if (profile.empty()) return nullptr;
  std::unique_ptr<OfficeInstance> instance(new OfficeInstance(options, profile));
  if (!instance->Launch() || !instance->Connect()) return nullptr;  // the destructor cleans up
  return instance;
}

OfficeInstance::OfficeInstance(const OfficeOptions& options, std::string profile)
    : options_(options), profile_(std::move(profile)), pipe_(UniquePipeName()) {
  SeedProfile(profile_);
  watchdog_ = std::thread([this] { Watch(); });
}

OfficeInstance::~OfficeInstance() {
  Shutdown();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  watchdog_.join();
  RemoveFolderTree(profile_);
}

bool OfficeInstance::Launch() {
  std::vector<std::string> arguments{
      "-env:UserInstallation=" + Utf8FileUrl(profile_),
      "--headless", "--invisible", "--nocrashreport", "--nodefault", "--nofirststartwizard", "--nologo",
      "--norestore", "--nolockcheck", "--accept=pipe,name=" + pipe_ + ";urp;StarOffice.ComponentContext"};
  int pid = StartOfficeProcess(kProgramFolder + "/soffice.bin", arguments, profile_ + "/tmp");
  std::lock_guard<std::mutex> lock(mutex_);
  pid_ = pid;
  return pid_ >= 0;
}

bool OfficeInstance::Connect() {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.startMilliseconds);
  rtl::OUString url = Utf8ToOUString("uno:pipe,name=" + pipe_ + ";urp;StarOffice.ComponentContext");
  try {
    Reference<office::bridge::XUnoUrlResolver> resolver = office::bridge::UnoUrlResolver::create(ClientContext());
    bool restarted = false;
    while (std::chrono::steady_clock::now() < deadline) {
      int exitCode = 0;
      if (!OfficeProcessRunning(pid_, exitCode)) {
        // A brand-new profile makes the office exit once after creating it; the second start serves.
        if (exitCode != kNewProfileExit || restarted || !Launch()) return false;
        restarted = true;
        continue;
      }
      try {
        Reference<office::uno::XComponentContext> remote(resolver->resolve(url), UNO_QUERY_THROW);
        Arm();
        desktop_ = office::frame::Desktop::create(remote);
        Disarm();
        return true;
      } catch (const office::connection::NoConnectException&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    }
  } catch (const office::uno::Exception&) {
    Disarm();
  }
  return false;
}

void OfficeInstance::Shutdown() {
  if (pid_ < 0) return;
  try {
    CloseDocuments();
    Guarded([&] {
      if (desktop_.is()) desktop_->terminate();
    });
  } catch (const AutomationError&) {
    // the office is gone or broken, or it dropped the connection while ending: it is killed below
  }
  documents_.clear();
  desktop_.clear();
  // An office ends some 50 ms after terminate, but one that dropped the connection while answering it
  // may never end: nothing of it is needed any more, so it is killed after a short wait.
  if (!WaitForOfficeProcess(pid_, kEndMilliseconds)) KillOfficeProcess(pid_);
  RemoveOfficePipe(pipe_);
  std::lock_guard<std::mutex> lock(mutex_);
  pid_ = -1;
}

Reference<office::lang::XComponent> OfficeInstance::Load(const std::string& path,
                                                         const std::vector<std::string_view>& acceptedFilters) {
  std::string native = NativePath(path);
  std::string extension = std::filesystem::path(native).extension().string();
  std::string copy = profile_ + "/document" + std::to_string(++copies_) + extension;
  std::error_code error;
  if (std::filesystem::is_directory(native, error) ||
      !std::filesystem::copy_file(native, copy, std::filesystem::copy_options::overwrite_existing, error))
    throw AutomationError("cannot read the document " + path);
  std::filesystem::permissions(copy, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::replace, error);

  Reference<office::lang::XComponent> document = Guarded([&] {
    office::uno::Sequence<office::beans::PropertyValue> args(4);
    args[0] = Property("Hidden", office::uno::Any(true));
    args[1] = Property("ReadOnly", office::uno::Any(true));
    args[2] = Property("MacroExecutionMode", office::uno::Any(office::document::MacroExecMode::NEVER_EXECUTE));
    args[3] = Property("UpdateDocMode", office::uno::Any(office::document::UpdateDocMode::NO_UPDATE));
    Reference<office::frame::XComponentLoader> loader(desktop_, UNO_QUERY_THROW);
    return loader->loadComponentFromURL(Utf8ToOUString(Utf8FileUrl(copy)), "_blank", 0, args);
  });
  if (!document.is()) throw AutomationError("the office cannot open the document " + path);
  documents_.push_back(document);
  std::string filter = Guarded([&] { return FilterOf(document); });
  for (std::string_view accepted : acceptedFilters)
    if (filter.rfind(accepted, 0) == 0) return document;
  throw AutomationError("not a document of the expected kind (" + filter + "): " + path);
}

void OfficeInstance::Close(const Reference<office::lang::XComponent>& closing) {
  Reference<office::lang::XComponent> document = closing;  // `closing` may be an element of documents_
  auto found = std::find(documents_.begin(), documents_.end(), document);
  if (found == documents_.end()) return;
  documents_.erase(found);
  Guarded([&] { CloseDocument(document); });
}

void OfficeInstance::CloseDocuments() {
  while (!documents_.empty()) Close(documents_.back());
}

void OfficeInstance::Arm() {
  std::lock_guard<std::mutex> lock(mutex_);
  armed_ = true;
  deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.callMilliseconds);
  wake_.notify_all();
}

void OfficeInstance::Disarm() {
  std::lock_guard<std::mutex> lock(mutex_);
  armed_ = false;
}

// A call that outlives its deadline means a hung office: killing it makes the pending call fail at once.
void OfficeInstance::Watch() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    if (!armed_) {
      wake_.wait(lock);
      continue;
    }
    if (wake_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
        std::chrono::steady_clock::now() >= deadline_ && pid_ >= 0) {
      hung_ = true;
      armed_ = false;
      KillOfficeProcess(pid_);
    }
  }
}

AutomationError OfficeInstance::Failure(const rtl::OUString& message, bool connectionLost) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (hung_) return AutomationError("the office did not answer in time and was ended");
  // A crashed office drops the connection a moment before the process is gone.
  if (pid_ >= 0 && connectionLost && WaitForOfficeProcess(pid_, kEndMilliseconds))
    return AutomationError("the office process ended");
  return AutomationError("office call failed: " + OUStringToUtf8(message));
}
