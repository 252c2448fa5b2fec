#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// Reads a plain decimal number ("12", "-12.345", ".5", "1.", "1.5e3"; blanks around it allowed)
// exactly and scales it to `decimals` minor units, rounding half away from zero.
// Empty on malformed text (including "inf" and "nan") and on a result that does not fit in qint64.
std::optional<qint64> decimalToMinorUnits(QStringView text, int decimals);
