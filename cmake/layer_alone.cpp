// An empty program: a library linked whole into it must find every symbol it
// uses in the libraries below it.
int main() { return 0; }
