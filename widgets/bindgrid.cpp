#include "widgets/bindgrid.h"

#include <QTableView>

#include "widgets/gridmodel.h"

namespace rp {

namespace {

void ConnectGrid(BindContext& ctx, const std::string& name, QObject* o) {
    auto* view = static_cast<QTableView*>(o);
    QObject* owner = ctx.Owner();
    if (TextGrid* grid = ctx.form().Grid(name)) {
        if (auto* gv = qobject_cast<TextGridView*>(view)) {
            gv->Attach(grid);
            QObject::connect(gv, &TextGridView::cellEntered, owner,
                             [&ctx, name](int, int) { ctx.Run([&ctx, name] { ctx.form().EnterCell(name); }); });
        } else {
            view->setModel(new TextGridModel(grid, view));
        }
    }
    ctx.CountAs(view->viewport(), name, true);
    QObject::connect(view, &QTableView::clicked, owner, [&ctx, name](const QModelIndex&) {
        ctx.Run([&ctx, name] { ctx.form().Click(name); });
    });
    QObject::connect(view, &QTableView::doubleClicked, owner, [&ctx, name](const QModelIndex&) {
        ctx.Run([&ctx, name] { ctx.form().DblClick(name); });
    });
}

void ApplyGrid(BindContext&, const ShownChange&, QObject* o) {
    if (auto* gv = qobject_cast<TextGridView*>(o)) {
        gv->Refresh();
    } else if (auto* model = qobject_cast<TextGridModel*>(static_cast<QTableView*>(o)->model())) {
        model->Refresh();
    }
}

}  // namespace

const Binding kGridBinding{ConnectGrid, ApplyGrid};

}  // namespace rp
