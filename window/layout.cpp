#include "window/layout.h"

namespace layout {

QString objectName(const Control &control)
{
    switch (control.array) {
    case Array::Text1: return QStringLiteral("Text1(%1)").arg(control.index);
    case Array::Label1: return QStringLiteral("Label1(%1)").arg(control.index);
    case Array::Label2: return QStringLiteral("Label2(%1)").arg(control.index);
    case Array::Label4: return QStringLiteral("Label4(%1)").arg(control.index);
    case Array::Label3: return QStringLiteral("Label3");
    case Array::cmdCalc: return QStringLiteral("cmdCalc");
    case Array::cmdQuit: return QStringLiteral("cmdQuit");
    }
    return {};
}

} // namespace layout
