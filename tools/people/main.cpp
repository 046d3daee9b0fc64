// karvuto-people: the saved people (档案) for the terminal.
#include <iostream>
#include <string>
#include <vector>

#include "PeopleCommand.h"
#include "StoreLocation.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return peopletool::RunPeopleCommand(args, people::DefaultStorePath(), std::cout, std::cerr);
}
