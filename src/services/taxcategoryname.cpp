#include "taxcategoryname.h"

#include <QCoreApplication>

QString taxCategoryName(const QString &key)
{
    static const struct
    {
        const char *key;
        const char *name;
    } known[] = {
        {"charitable_contributions", QT_TRANSLATE_NOOP("TaxCategory", "Charitable contributions")},
        {"medical_dental", QT_TRANSLATE_NOOP("TaxCategory", "Medical and dental expenses")},
        {"business_expense", QT_TRANSLATE_NOOP("TaxCategory", "Business expenses")},
        {"home_office", QT_TRANSLATE_NOOP("TaxCategory", "Home office")},
        {"education", QT_TRANSLATE_NOOP("TaxCategory", "Education expenses")},
        {"salt", QT_TRANSLATE_NOOP("TaxCategory", "State and local taxes")},
        {"mortgage_interest", QT_TRANSLATE_NOOP("TaxCategory", "Mortgage interest")},
        {"schedule_a_property_tax", QT_TRANSLATE_NOOP("TaxCategory", "Property tax (Schedule A)")},
        {"interest_income", QT_TRANSLATE_NOOP("TaxCategory", "Interest income")},
        {"dividend_income", QT_TRANSLATE_NOOP("TaxCategory", "Dividend income")},
        {"rental_income", QT_TRANSLATE_NOOP("TaxCategory", "Rental income")},
        {"self_employment", QT_TRANSLATE_NOOP("TaxCategory", "Self-employment income")},
    };
    for (const auto &entry : known) {
        if (key == QLatin1String(entry.key))
            return QCoreApplication::translate("TaxCategory", entry.name);
    }
    QString words = key.trimmed();
    words.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words;
}
