#include <cstdio>
int main() { std::puts("linewright"); return 0; }
