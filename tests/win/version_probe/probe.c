/* A stand-in for the logging program's executable: only its version resource matters. */
int main(void) { return 0; }
