#include "platform/dialog.h"

#include <stdexcept>

#include "platform/services.h"

CDialog::CDialog(int templateId) : templateId_(templateId) {}

CDialog::~CDialog() = default;

DialogWindow& CDialog::Window() const {
    if (!window_) {
        throw std::logic_error("dialog used before its window was created");
    }
    return *window_;
}

void CDialog::Create() {
    const DialogTemplate* tmpl = BuscarPlantilla(templateId_);
    if (tmpl == nullptr) {
        throw std::logic_error("unknown dialog template " + std::to_string(templateId_));
    }
    window_ = Servicios().CreateDialogWindow(*tmpl, *this);
    const bool focusFirst = OnInitDialog();
    if (focusFirst) {
        for (const ControlTemplate& c : tmpl->controls) {
            if ((c.style & kTabStop) != 0 && window_->IsVisible(c.id) && window_->IsEnabled(c.id)) {
                window_->SetFocus(c.id);
                break;
            }
        }
    }
    window_->Show();
}

int CDialog::DoModal() {
    return Servicios().RunModal(*this);
}

void CDialog::EndDialog(int result) {
    Window().End(result);
}

void CDialog::On(int id, Notify what, std::function<void()> handler) {
    commands_[{id, what}] = std::move(handler);
}

std::vector<int> CDialog::HandledControls() const {
    std::vector<int> ids;
    for (const auto& command : commands_) {
        const int id = command.first.first;
        if (ids.empty() || ids.back() != id) {
            ids.push_back(id);
        }
    }
    return ids;
}

void CDialog::Notificar(int id, Notify what) {
    const auto it = commands_.find({id, what});
    if (it != commands_.end()) {
        it->second();
        return;
    }
    if (what != Notify::Clicked) {
        return;
    }
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}
