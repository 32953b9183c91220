// PLACEHOLDER: replaced by the window application.
int main() { return 0; }
