#pragma once

#include <QString>

// The name a person reads for a stored tax-line key ("medical_dental" → "Medical and dental
// expenses"), translated. A key this program does not know reads as its words ("foreign_tax"
// → "Foreign tax"); an empty key stays empty.
QString taxCategoryName(const QString &key);
