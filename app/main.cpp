#include "Startup.h"

int main(int argc, char** argv) { return gb::RunProgram(argc, argv); }
