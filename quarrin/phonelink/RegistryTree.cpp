// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/RegistryTree.h"

namespace {

QStringList SplitPath(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

} // namespace

RegistryTree::~RegistryTree() = default;

std::optional<QString> RegistryTree::Value(const QString& path, const QString& name) const
{
    const std::optional<Values> values = ValuesOf(path);
    if (!values)
        return std::nullopt;
    for (const auto& [valueName, data] : *values)
        if (valueName.compare(name, Qt::CaseInsensitive) == 0)
            return data;
    return std::nullopt;
}

MemoryRegistryTree::MemoryRegistryTree() = default;
MemoryRegistryTree::~MemoryRegistryTree() = default;

const MemoryRegistryTree::Node* MemoryRegistryTree::Find(const QString& path) const
{
    const Node* node = &root_;
    for (const QString& part : SplitPath(path)) {
        const Node* next = nullptr;
        for (const auto& child : node->children)
            if (child->name.compare(part, Qt::CaseInsensitive) == 0) {
                next = child.get();
                break;
            }
        if (next == nullptr)
            return nullptr;
        node = next;
    }
    return node;
}

MemoryRegistryTree::Node* MemoryRegistryTree::FindOrCreate(const QString& path)
{
    Node* node = &root_;
    for (const QString& part : SplitPath(path)) {
        Node* next = nullptr;
        for (auto& child : node->children)
            if (child->name.compare(part, Qt::CaseInsensitive) == 0) {
                next = child.get();
                break;
            }
        if (next == nullptr) {
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = part;
        }
        node = next;
    }
    return node;
}

std::optional<QStringList> MemoryRegistryTree::SubKeys(const QString& path) const
{
    const Node* node = Find(path);
    if (node == nullptr)
        return std::nullopt;
    QStringList names;
    for (const auto& child : node->children)
        names << child->name;
    return names;
}

std::optional<RegistryTree::Values> MemoryRegistryTree::ValuesOf(const QString& path) const
{
    const Node* node = Find(path);
    if (node == nullptr)
        return std::nullopt;
    return node->values;
}

bool MemoryRegistryTree::SetValue(const QString& path, const QString& name, const QString& data)
{
    Node* node = FindOrCreate(path);
    for (auto& [valueName, value] : node->values)
        if (valueName.compare(name, Qt::CaseInsensitive) == 0) {
            value = data;
            return true;
        }
    node->values.append({name, data});
    return true;
}

void MemoryRegistryTree::AddKey(const QString& path)
{
    FindOrCreate(path);
}

bool MemoryRegistryTree::RemoveValue(const QString& path, const QString& name)
{
    Node* node = const_cast<Node*>(Find(path));
    if (node == nullptr)
        return false;
    for (qsizetype i = 0; i < node->values.size(); ++i)
        if (node->values.at(i).first.compare(name, Qt::CaseInsensitive) == 0) {
            node->values.removeAt(i);
            return true;
        }
    return false;
}
