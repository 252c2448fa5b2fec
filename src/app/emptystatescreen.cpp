#include "emptystatescreen.h"

#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString colorStyle(ThemeColor color)
{
    return QStringLiteral("color: %1;").arg(ThemeManager::color(color).name());
}

} // namespace

EmptyStateScreen::EmptyStateScreen(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch(1);

    auto *glyph = new QLabel(QString(QChar(0xE850)), this);
    QFont glyphFont = iconFont();
    glyphFont.setPixelSize(96);
    glyph->setFont(glyphFont);
    glyph->setStyleSheet(colorStyle(ThemeColor::SidebarIcon));
    glyph->setAlignment(Qt::AlignCenter);
    layout->addWidget(glyph);
    layout->addSpacing(8);

    auto *title = new QLabel(tr("Welcome to Corvantis Zimbrel"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(QApplication::font().pointSizeF() + 8);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *subtitle = new QLabel(tr("Create your first account to get started."), this);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSizeF(QApplication::font().pointSizeF() + 1);
    subtitleFont.setWeight(QFont::Medium);
    subtitle->setFont(subtitleFont);
    subtitle->setStyleSheet(colorStyle(ThemeColor::SecondaryText));
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto *create = new QPushButton(tr("Create Account"), this);
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    // Enter presses it, as in a dialog: the page is reached from the keyboard.
    create->setAutoDefault(true);
    create->setStyleSheet(
        QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: 2px solid transparent;  "
                       "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                       "QPushButton:hover {  background-color: %2;}"
                       "QPushButton:pressed {  background-color: %3;}"
                       // The keyboard's place on the page, which the accent hides.
                       "QPushButton:focus {  border-color: palette(window-text);}")
            .arg(ThemeManager::color(ThemeColor::Accent).name(),
                 ThemeManager::color(ThemeColor::AccentHover).name(),
                 ThemeManager::color(ThemeColor::AccentPressed).name(),
                 ThemeManager::color(ThemeColor::OnAccent).name()));
    connect(create, &QPushButton::clicked, this, &EmptyStateScreen::createAccountRequested);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File › Import."), this);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    QFont hintFont = hint->font();
    hintFont.setPointSizeF(qMax<qreal>(7, QApplication::font().pointSizeF() - 2));
    hint->setFont(hintFont);
    hint->setStyleSheet(colorStyle(ThemeColor::SecondaryText));
    hint->setAlignment(Qt::AlignCenter);
    // Centred through stretches rather than an alignment flag, so the layout gives the wrapped
    // text the height it needs.
    auto *hintRow = new QHBoxLayout;
    hintRow->addStretch(1);
    hintRow->addWidget(hint, 4);
    hintRow->addStretch(1);
    layout->addLayout(hintRow);
    layout->addStretch(1);
    setFocusProxy(create);
}
