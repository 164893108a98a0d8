#pragma once
// The words of the allocator windows for the codes their rules report.

#include "core/devices/common/FieldTable.h"
#include "core/devices/hca/HcaMessages.h"

#include <QCoreApplication>
#include <QString>

namespace kvq {

class HcaMessageTexts {
    Q_DECLARE_TR_FUNCTIONS(HcaMessageTexts)
public:
    static QString text(hca::Message message);
    // The error's own words, or those of its code.
    static QString text(const InputError& error);
};

} // namespace kvq
