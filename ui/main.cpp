#include "ui/program_entry.h"

int main(int argc, char** argv) { return qichun::ProgramEntry(argc, argv); }
