// Placeholder until this generator is written.
int main() { return 0; }
