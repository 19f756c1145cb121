#include "forms/formstate.h"

#include <stdexcept>

#include "forms/formhost.h"

namespace rp {

std::string ControlState::SelectedItem() const {
    if (index < 0 || index >= static_cast<int>(items.size())) return {};
    return items[index];
}

ControlState& FormState::Add(const std::string& name, ControlKind kind) {
    auto [it, added] = controls_.try_emplace(name);
    if (added) {
        it->second.kind = kind;
        order_.push_back(name);
    }
    return it->second;
}

bool FormState::Has(const std::string& name) const { return controls_.count(name) != 0; }

ControlState& FormState::operator[](const std::string& name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + name);
    return it->second;
}

const ControlState& FormState::operator[](const std::string& name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + name);
    return it->second;
}

void Form::Open(std::unique_ptr<Form> child, std::function<void()> onClosed) {
    if (host_) host_->Open(std::move(child), std::move(onClosed));
}

void Form::Closing() {
    if (closed_) return;
    closed_ = true;
    Unloading();
}

}  // namespace rp
