#pragma once
// Helpers for widget tests: a data folder with a document, pictures of widgets, and answers
// to modal dialogs scheduled before they open.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/store/document.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/string_helpers.h"
#include "support/temp_dir.h"

namespace vorla::testing {

struct GuiDocument {
    TempDir dir;
    gui::QtPrompter prompter;
    std::unique_ptr<store::Document> doc;

    // Opens the document on the folder (after the test has written its files).
    store::Document& open(calendar::Date today = {2026, 12, 7});
};

// Saves a picture of the widget as gui-shots/<name>.png in the build folder.
QString save_shot(QWidget* widget, const QString& name);

// Runs `act` on the next modal dialog (or message box) once it is shown, from the event loop.
void when_modal(std::function<void(QWidget*)> act);

}  // namespace vorla::testing

namespace vorla::testing {
// Types text into a widget key by key, Cyrillic and other non-Latin letters included.
void type_text(QWidget* widget, const QString& text);
}  // namespace vorla::testing
