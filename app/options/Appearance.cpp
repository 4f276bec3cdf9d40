#include "app/options/Appearance.h"

#include "app/platform/qt/Settings.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

namespace varnick {

namespace {

// What the platform gave the program before any choice was applied, to return to for System.
struct Original {
    QString style;
    QPalette palette;
    bool known = false;
};

Original& original()
{
    static Original kept;
    return kept;
}

QPalette darkPalette()
{
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(232, 232, 232);
    const QColor disabled(128, 128, 128);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(52, 52, 56));
    palette.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(58, 58, 62));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 110, 110));
    palette.setColor(QPalette::Light, QColor(80, 80, 85));
    palette.setColor(QPalette::Midlight, QColor(68, 68, 72));
    palette.setColor(QPalette::Mid, QColor(95, 95, 100));
    palette.setColor(QPalette::Dark, QColor(25, 25, 27));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
    palette.setColor(QPalette::Highlight, QColor(61, 126, 200));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText })
        palette.setColor(QPalette::Disabled, role, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 85));
    return palette;
}

double luminance(const QColor& colour)
{
    const auto channel
        = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

} // namespace

QString appearance::chosen()
{
    const QString value = Settings::value(SettingKey::Appearance);
    return value == Light || value == Dark ? value : System;
}

void appearance::choose(const QString& appearance)
{
    Settings::setValue(SettingKey::Appearance, appearance == Light || appearance == Dark ? appearance : System);
}

void appearance::apply(QApplication& app, const QString& appearance)
{
    Original& before = original();
    if (!before.known) {
        before.style = QApplication::style()->name();
        before.palette = QApplication::palette();
        before.known = true;
    }
    if (appearance == Dark || appearance == Light) {
        if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        app.setPalette(appearance == Dark ? darkPalette() : QApplication::style()->standardPalette());
        return;
    }
    if (QApplication::style()->name().compare(before.style, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(before.style));
    app.setPalette(before.palette);
}

void appearance::applyChosen(QApplication& app)
{
    apply(app, chosen());
}

bool appearance::isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor appearance::warningRed(const QPalette& palette)
{
    return isDark(palette) ? QColor(255, 120, 110) : QColor(176, 32, 16);
}

QColor appearance::pendingBackground(const QPalette& palette)
{
    return isDark(palette) ? QColor(92, 72, 20) : QColor(255, 240, 190);
}

double appearance::contrast(const QColor& a, const QColor& b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace varnick
