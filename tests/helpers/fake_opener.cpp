// Stands in for "xdg-open" in end-to-end runs: appends the path it is given
// to the file named by KV_OPENED_LOG, one per line, and opens nothing.
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const char *log = std::getenv("KV_OPENED_LOG");
    if (argc != 2 || !log)
        return 64;
    std::FILE *out = std::fopen(log, "a");
    if (!out)
        return 1;
    std::fprintf(out, "%s\n", argv[1]);
    return std::fclose(out) == 0 ? 0 : 1;
}
