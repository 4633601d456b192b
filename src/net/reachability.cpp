#include "net/reachability.h"

#include "net/route_table.h"

#include <QFile>
#include <QString>

using namespace Qt::StringLiterals;

namespace corvel {

bool Reachability::isNetworkReachable()
{
    QFile table(u"/proc/net/route"_s);
    if (!table.open(QIODevice::ReadOnly))
        return false;
    return hasDefaultRouteUp(QString::fromLatin1(table.readAll()));
}

} // namespace corvel
