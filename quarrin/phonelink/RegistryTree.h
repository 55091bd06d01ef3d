// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// A hierarchical key/value tree in the shape of the system registry under
// HKEY_LOCAL_MACHINE: keys named by backslash-separated paths, compared without
// regard to case, each with ordered subkeys and ordered string values.
//
// Modem and port discovery are written against this shape. On Linux the tree is
// built from sysfs and the port map (MachineRegistry.h); tests build their own.
class QUARRIN_EXPORT RegistryTree
{
public:
    using Values = QList<QPair<QString, QString>>;

    virtual ~RegistryTree();

    // Subkey names in order; nothing when the key cannot be opened.
    virtual std::optional<QStringList> SubKeys(const QString& path) const = 0;
    // Values in order; nothing when the key cannot be opened.
    virtual std::optional<Values> ValuesOf(const QString& path) const = 0;
    // Creates the key (and its parents) as needed and sets a string value.
    virtual bool SetValue(const QString& path, const QString& name, const QString& data) = 0;

    bool KeyExists(const QString& path) const { return SubKeys(path).has_value(); }
    // A value, nothing when it or its key is absent.
    std::optional<QString> Value(const QString& path, const QString& name) const;
};

class QUARRIN_EXPORT MemoryRegistryTree : public RegistryTree
{
public:
    MemoryRegistryTree();
    ~MemoryRegistryTree() override;

    std::optional<QStringList> SubKeys(const QString& path) const override;
    std::optional<Values> ValuesOf(const QString& path) const override;
    bool SetValue(const QString& path, const QString& name, const QString& data) override;

    // Creates the key and its parents.
    void AddKey(const QString& path);
    // Removes a value; false when it was not there.
    bool RemoveValue(const QString& path, const QString& name);

private:
    struct Node
    {
        QString name;
        Values values;
        std::vector<std::unique_ptr<Node>> children;
    };

    const Node* Find(const QString& path) const;
    Node* FindOrCreate(const QString& path);

    Node root_;
};
