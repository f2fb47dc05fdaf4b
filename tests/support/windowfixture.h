// A started window on a fake desktop, with readers for what the user sees.
#pragma once

#include "app/colourwindow.h"
#include "channels/channelbar.h"
#include "channels/channelentry.h"
#include "channels/columngauge.h"
#include "picker/pickerbutton.h"
#include "support/fakeplatform.h"
#include "transparency/previewbox.h"
#include "transparency/transparencyslider.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

struct WindowFixture {
    platform::FakePlatform desktop;
    app::ColourWindow window { desktop.platform };

    explicit WindowFixture(bool load = true)
    {
        window.setWindowTitle(QStringLiteral("Marivell test"));
        if (load)
            window.start();
    }

    const app::WindowControls& c() const { return window.controls(); }

    channels::ChannelBar* bar(int i) const { return i < 3 ? c().channelBars[i] : c().master; }

    QList<int> channels() const { return { bar(0)->value(), bar(1)->value(), bar(2)->value() }; }

    QStringList boxes() const
    {
        QStringList texts;
        for (auto* box : c().channelBoxes)
            texts << box->text();
        return texts;
    }

    // The eight notation boxes in the command-line tool's order.
    QStringList notations() const
    {
        return { c().rgb->text(), c().hexaVb->text(), c().longVb->text(), c().html->text(),
            c().cmy->text(), c().cmyk->text(), c().hsl->text(), c().kml->text() };
    }

    // Sets the three channels as a user would see them afterwards: bars and boxes agree.
    void setColour(int r, int g, int b) { window.showColour(colour::colourNumberOf(r, g, b)); }

    int warnings(const QString& text) const
    {
        int n = 0;
        for (const auto& shown : desktop.messages.shown)
            n += shown.text == text;
        return n;
    }
};

inline const QString kLocked
    = QStringLiteral("This command is locked while the color picker is enabled.");
