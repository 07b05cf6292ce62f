#include "operations/EditorFactory.h"

#include "app/Error.h"

namespace {

TEditorFactory* g_factory = nullptr;

} // namespace

TEditorFactory& EditorFactory() {
    if (!g_factory)
        throw EOrbelError(QStringLiteral("没有可用的编辑窗口."));
    return *g_factory;
}

void SetEditorFactory(TEditorFactory* factory) {
    g_factory = factory;
}
