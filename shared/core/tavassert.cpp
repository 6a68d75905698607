#include "tavassert.h"

#include "problemreport.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

TAVSpotItem::TAVSpotItem(const char *file, int line, std::string function)
    : file(file), line(line), function(std::move(function))
{
}

namespace {

ProblemData problemData(const char *file, int line, const std::string &function,
                        const std::string &condition)
{
    ProblemData problem;
    problem.sourceFile = QByteArray(file ? file : "");
    problem.line = line;
    problem.function = QString::fromStdString(function);
    problem.condition = QString::fromStdString(condition);
    return problem;
}

void tellStandardError(const char *file, int line, const std::string &function,
                       const std::string &condition)
{
    std::fprintf(stderr, "Assertion failed at %s:%d inside %s Condition: %s", file ? file : "",
                 line, function.c_str(), condition.c_str());
}

} // namespace

int __tavassert(const char *file, int line, std::string function, std::string condition)
{
    tellStandardError(file, line, function, condition);
    std::fflush(stderr);
    ProblemReport::run(problemData(file, line, function, condition));
    return 0;
}

int __tavassert_spot(const char *file, int line, std::string function, std::string condition,
                     TAVSpotItem inner)
{
    tellStandardError(file, line, function, condition);
    std::fprintf(stderr, " called from %s line %d in file %s", inner.function.c_str(), inner.line,
                 inner.file ? inner.file : "");
    std::fflush(stderr);
    ProblemData problem = problemData(file, line, function, condition);
    problem.hasInner = true;
    problem.innerSourceFile = QByteArray(inner.file ? inner.file : "");
    problem.innerLine = inner.line;
    ProblemReport::run(problem);
    return 0;
}

void tavCheckFailed(const char *file, int line, const char *function, const char *condition)
{
    __tavassert(file, line, function ? function : "", condition ? condition : "");
    std::fflush(stdout);
    std::fflush(stderr);
    // At once, without the normal shutdown: the state that failed the check
    // must not be written anywhere. The status tells the failure to whoever
    // started the program.
    std::_Exit(EXIT_FAILURE);
}
