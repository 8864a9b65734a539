#pragma once
// The office process behind the LibreOffice backend: started in a session of its own so that it and every
// child it spawns end together, tied to the thread that started it so that it dies with the program.
// Paths and arguments are OS strings (UTF-8 on POSIX).
#include <string>
#include <vector>

// Starts `program` with `arguments` and its temporary files in `tempFolder`; returns its process id, or -1
// when it could not be started.
int StartOfficeProcess(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& tempFolder);

// True while the process runs. Once it has ended (and has been reaped), `exitCode` holds its exit code,
// or 128 + the signal that ended it.
bool OfficeProcessRunning(int pid, int& exitCode);

// Waits up to `milliseconds` for the process to end; true when it has ended.
bool WaitForOfficeProcess(int pid, int milliseconds);

// Kills the process and its whole session at once and reaps it. Safe to call on an ended process.
void KillOfficeProcess(int pid);

// A new empty folder below the system's temporary folder, named after `prefix`; empty when none could
// be made. RemoveFolderTree deletes a folder with everything in it.
std::string CreatePrivateFolder(const std::string& prefix);
void RemoveFolderTree(const std::string& folder);

// Removes the pipe file that an office killed while listening on pipe `name` leaves behind in /tmp.
void RemoveOfficePipe(const std::string& name);
