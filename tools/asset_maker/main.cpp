// Placeholder until the picture lists are drawn.
int main() { return 0; }
