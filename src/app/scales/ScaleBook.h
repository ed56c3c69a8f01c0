#pragma once
// The player's scales: the built-in ones and the player's own, which one is active, kept in the
// settings. Every drop-down list of scales shows this book's names; changing the active scale or
// the scales tells whoever listens.

#include "equipment/Scale.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QStringListModel;

namespace vantor {

class SettingsStore;

class ScaleBook : public QObject {
    Q_OBJECT
public:
    ScaleBook(SettingsStore& settings, QObject* parent);

    // Reads the player's scales and the active one from the settings; a scale that does not read
    // rejects the settings file (kept aside) and the defaults are used.
    void Load();

    // Built-in scales first, then the player's, each list by name.
    const std::vector<Scale>& All() const { return all_; }
    bool IsBuiltIn(size_t i) const { return i < BuiltInScales().size(); }
    size_t Active() const { return active_; }
    const Scale& ActiveScale() const { return all_[active_]; }
    int Find(const std::string& name) const;  // -1: no such scale

    // The active scale (an index of All()), and all of the player's scales at once: both saved.
    // False, with why in error, when the settings cannot be written (the choice holds all the same).
    bool SetActive(size_t i, QString& error);
    bool SetPlayerScales(std::vector<Scale> scales, const std::string& active, QString& error);
    // The scale the settings name as active, if there is one by that name (another character's
    // choice); the active scale is written back either way, to be saved by the caller.
    void TakeKeptActive();
    // A scale for a character brought from a file: the one of that name when it weighs the same,
    // else added under its name (a number added when the name is taken). Gives its name.
    std::string Adopt(const Scale& scale, QString& error);

    // The names, for drop-down lists.
    QStringListModel* Names() const { return names_; }

private:
    void Rebuild(std::vector<Scale> players, std::string active);  // active may name one of all_
    bool Save(QString& error);

    SettingsStore& settings_;
    std::vector<Scale> all_;
    size_t active_ = 0;
    QStringListModel* names_;

signals:
    // After every change of the active scale or the scales.
    void Changed();
};

}  // namespace vantor
