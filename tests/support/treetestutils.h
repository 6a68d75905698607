#ifndef TREETESTUTILS_H
#define TREETESTUTILS_H

#include <QString>

#include <functional>

class TAVItem;

// Deletes an item and, for a container, every item below it. Fixtures use it
// for trees they built or detached, which no vault owns any more.
void destroyItemTree(TAVItem *item);

// The what() text of the TAVException that the action throws, or
// "<no exception>" when it throws none.
QString exceptionText(const std::function<void()> &action);

#endif // TREETESTUTILS_H
