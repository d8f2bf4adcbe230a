// The yardstick of a single conversion's start (start-vs-hello.sh): the
// smallest C++ program that writes a line, built with the project's flags.
#include <iostream>

int main() {
  std::ios::sync_with_stdio(false);
  std::cout << "hello, world\n";
}
