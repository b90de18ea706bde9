// A program that only carries a version resource for the version tests to read.
int main() {
    return 0;
}
