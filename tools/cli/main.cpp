// vormante-cli: the channel database editor's companion for scripts and terminals.
#include "Cli.h"

#include <exception>
#include <iostream>

using namespace vormante;

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const int status = vormante::cli::RunCli(args, std::cout, std::cerr);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "vormante-cli: cannot write to standard output\n";
            return vormante::cli::EXIT_PROBLEMS;
        }
        return status;
    } catch (const std::exception& e) {
        std::cerr << "vormante-cli: " << e.what() << "\n";
        return vormante::cli::EXIT_PROBLEMS;
    }
}
