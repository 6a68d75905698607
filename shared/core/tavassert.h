#ifndef TAVASSERT_H
#define TAVASSERT_H

#include <string>

// An inner source location, for checks reported from a helper function.
class TAVSpotItem
{
public:
    TAVSpotItem(const char *file, int line, std::string function);

    const char *file;
    int line;
    std::string function;
};

// Tells standard error and the user about a failed internal check and offers
// to send a problem report. Returns 0 when done; the caller then ends the
// program (tavCheckFailed does both).
int __tavassert(const char *file, int line, std::string function, std::string condition);
// The same, with the inner location of the check.
int __tavassert_spot(const char *file, int line, std::string function, std::string condition,
                     TAVSpotItem inner);

// Reports the failed check and ends the program at once with a failure exit
// status: no settings are written and nothing more is run.
[[noreturn]] void tavCheckFailed(const char *file, int line, const char *function,
                                 const char *condition);

#define TAV_CHECK(condition)                                                                   \
    do {                                                                                       \
        if (!(condition))                                                                      \
            tavCheckFailed(__FILE__, __LINE__, __func__, #condition);                          \
    } while (false)

#endif // TAVASSERT_H
