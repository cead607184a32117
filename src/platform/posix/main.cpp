// placeholder: the Linux entry point is being written
int main() { return 0; }
