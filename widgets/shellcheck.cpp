#include "widgets/shellcheck.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

#include "widgets/widgetkinds.h"

namespace rp {

std::vector<std::string> CheckShellControls(const Form& form, const QWidget* root,
                                            const std::vector<std::string>& optional) {
    std::vector<std::string> faults;
    if (!root) return {"no shell"};
    const FormState& st = form.State();
    for (const auto& name : st.Names()) {
        const ControlKind kind = st[name].kind;
        if (kind == ControlKind::Timer) continue;
        const QString qn = QString::fromUtf8(name.c_str());
        const QObject* found = nullptr;
        const auto widgets = root->findChildren<QWidget*>(qn);
        if (!widgets.isEmpty()) found = widgets.first();
        if (!found) {
            const auto actions = root->findChildren<QAction*>(qn);
            if (!actions.isEmpty()) found = actions.first();
        }
        if (!found) {
            if (std::find(optional.begin(), optional.end(), name) == optional.end())
                faults.push_back(name + ": no widget");
            continue;
        }
        if (!WidgetFitsKind(found, kind))
            faults.push_back(name + ": " + found->metaObject()->className() + ", expected " +
                             WidgetClassFor(kind));
    }
    return faults;
}

}  // namespace rp
