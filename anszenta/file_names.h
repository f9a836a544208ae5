// What the two archive programs share in their drivers: file names from the command line or
// from console prompts, opening inputs, help and usage, and turning a stop into its message
// and exit status.
#pragma once

#include <fstream>
#include <string>
#include <vector>

// Hands out the file names in order: from the command line when it gave them, otherwise by
// asking on the console. The end of the input at a prompt stops the run without a message.
class FileNameSource {
  public:
    explicit FileNameSource(const std::vector<std::string>& args) : args_(args) {}
    std::string next(const char* prompt);

  private:
    std::vector<std::string> args_;
    size_t used_ = 0;
};

// Opens an input file for reading; stops the run with `failure` when it cannot be opened
// (a folder cannot).
void openInput(std::ifstream& file, const std::string& name, const char* failure);

// The command line of an archive program once it is understood.
struct ArchiveArguments {
    bool full = false;               // "-full" came first
    std::vector<std::string> files;  // the file names, none or all of them
};

// Runs the driver of `program`: "--help" or "-h" alone prints `usage` and "--version" alone
// the version line (status 0). With `takesFull`, a first word "-full" sets `full`, and any
// other word that begins with "-" prints the usage on standard error (status 1); so does any
// count of file names other than 0 or `fileCount`. Otherwise `run` gets the arguments, and a
// stop it raises is printed on standard output and gives the exit status. Only a run without
// file names asks on the console.
int runArchiveProgram(const char* program, const std::vector<std::string>& args, size_t fileCount,
                      bool takesFull, const char* usage, int (*run)(const ArchiveArguments&));
