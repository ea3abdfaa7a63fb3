// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "accessible/factory.h"
#include "atspiguard.h"
#include "readerkeys.h"

namespace tavrin {

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(viewAccessible), true);
    Q_UNUSED(installed);
    installAtSpiGuard();
    installReaderKeys();
}

} // namespace tavrin
