#include <iostream>

int main() {
    std::cout << "orvane-cli: the command-line program is coming with the run controller.\n";
    return 0;
}
