#include <cstdio>

int main() { std::puts("kvq-devsim"); return 0; }
