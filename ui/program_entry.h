#pragma once

namespace qichun {

// Runs the calculator until its window is closed; the exit status.
int ProgramEntry(int argc, char** argv);

}  // namespace qichun
