#include "faultplan.h"

#include <QStringList>

FaultPlan FaultPlan::parse(const QString &schedule, QString *error)
{
    FaultPlan plan;
    if (schedule.trimmed().isEmpty())
        return plan;
    const auto probability = [error](const QString &key, const QString &text, double *out) {
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || value < 0 || value > 1) {
            *error = QStringLiteral("--faults: %1 needs a probability from 0 to 1").arg(key);
            return false;
        }
        *out = value;
        return true;
    };
    for (const QString &item : schedule.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = item.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = item.section(QLatin1Char('='), 1).trimmed();
        bool ok = true;
        if (key == QLatin1String("seed")) {
            const quint64 seed = value.toULongLong(&ok);
            if (!ok)
                *error = QStringLiteral("--faults: seed needs a whole number");
            plan.m_random.seed(seed);
        } else if (key == QLatin1String("push500")) {
            ok = probability(key, value, &plan.m_push500);
        } else if (key == QLatin1String("dropafter")) {
            ok = probability(key, value, &plan.m_dropAfter);
        } else if (key == QLatin1String("auth401")) {
            ok = probability(key, value, &plan.m_auth401);
        } else if (key == QLatin1String("duplicate")) {
            ok = probability(key, value, &plan.m_duplicate);
        } else if (key == QLatin1String("delay")) {
            ok = probability(key, value.section(QLatin1Char(':'), 0, 0), &plan.m_delay);
            const int milliseconds = value.section(QLatin1Char(':'), 1).toInt(&ok);
            if (!ok || milliseconds < 0 || milliseconds > 600000) {
                *error = QStringLiteral("--faults: delay needs P:MS with MS from 0 to 600000");
                ok = false;
            }
            plan.m_delayMilliseconds = milliseconds;
        } else {
            *error = QStringLiteral("--faults: unknown fault \"%1\"").arg(key);
            ok = false;
        }
        if (!ok)
            return {};
    }
    return plan;
}

bool FaultPlan::isEmpty() const
{
    return m_push500 == 0 && m_dropAfter == 0 && m_delay == 0 && m_auth401 == 0 && m_duplicate == 0;
}

bool FaultPlan::draw(double probability)
{
    if (probability <= 0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < probability;
}

bool FaultPlan::pushFails()
{
    return draw(m_push500);
}

bool FaultPlan::dropAfterPush()
{
    return draw(m_dropAfter);
}

int FaultPlan::delayMilliseconds()
{
    return draw(m_delay) ? m_delayMilliseconds : 0;
}

bool FaultPlan::refusesToken()
{
    return draw(m_auth401);
}

bool FaultPlan::repeatsPage()
{
    return draw(m_duplicate);
}
