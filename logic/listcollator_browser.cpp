#include "listcollator.h"

#include <QString>

#include <emscripten/val.h>

int compareIgnoringCase(const QString &a, const QString &b)
{
    // Qt in the browser has no collation tables of its own; the browser's
    // Intl.Collator has them. Accent sensitivity tells letters and their
    // marks apart but not a capital from a small letter.
    static const emscripten::val collator = [] {
        emscripten::val options = emscripten::val::object();
        options.set("sensitivity", "accent");
        return emscripten::val::global("Intl")["Collator"].new_(emscripten::val("en-US"), options);
    }();
    return collator.call<int>("compare", emscripten::val(a.toStdString()), emscripten::val(b.toStdString()));
}
