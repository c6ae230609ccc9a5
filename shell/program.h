#pragma once

namespace shell {

// Runs the simulator, or with --snapshot DIR draws its windows into PNG
// files; returns the process's exit status.
int runProgram(int argc, char* argv[]);

} // namespace shell
