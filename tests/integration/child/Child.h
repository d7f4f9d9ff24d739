// The second process of cross-process tests.
#pragma once

#include <string>

namespace child {

int Run(int argc, char** argv);
// Starts this test program as a child with the given arguments; its exit code,
// processing window messages of this thread while it runs.
unsigned long SpawnAndPump(const std::string& arguments);

}  // namespace child
