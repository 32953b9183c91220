// PLACEHOLDER: replaced by the replay driver.
int main() { return 0; }
