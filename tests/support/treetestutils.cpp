#include "treetestutils.h"

#include "tavexception.h"
#include "tavitem.h"
#include "tavitemcontainer.h"

void destroyItemTree(TAVItem *item)
{
    if (item->GetClassID() != TAV_CLASS_FILE)
        static_cast<TAVItemContainer *>(item)->removeAll();
    delete item;
}

QString exceptionText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const TAVException &e) {
        return QString::fromLatin1(e.what());
    }
    return QStringLiteral("<no exception>");
}
