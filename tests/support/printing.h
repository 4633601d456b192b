// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/notification_batch.h"

#include <QTest>

namespace corvel {

// Lets a failed QCOMPARE of notices print what each held; Qt Test finds it by argument lookup.
inline char *toString(const Notice &notice)
{
    return QTest::toString(notice.summary + QLatin1StringView(" | ") + notice.body);
}

} // namespace corvel
