#pragma once

#include <QString>

// The preferences of the settings page, kept in the group "UserSettings" of
// the application's settings store. One instance for the whole process,
// loaded on first use and written back only after a change.
class UserSettings
{
public:
    static UserSettings* instance();

    void load();
    // Writes every key when something changed since loading or the last save.
    void save();

    float photoDuration() const { return _photoDuration; }
    float textDuration() const { return _textDuration; }
    float drawingDuration() const { return _drawingDuration; }
    bool applyUserHabits() const { return !_dontApplyUserHabits; }
    bool autoDragDropAlign() const { return !_dontAutoDragDropAlign; }
    int editorUI() const { return _editorUI; }
    bool hardwareCodec() const { return _hardwareCodec; }
    QString workingDir() const { return _workingDir; }
    bool autoCopyAssets() const { return _autoCopyAssets; }
    QString language() const { return _language; }

    // Each setter marks the settings changed, even when the value is the same.
    void setPhotoDuration(float seconds);
    void setTextDuration(float seconds);
    void setDrawingDuration(float seconds);
    void setApplyUserHabits(bool apply);
    void setAutoDragDropAlign(bool align);
    void setEditorUI(int layout);
    void setHardwareCodec(bool enabled);
    void setWorkingDir(const QString& folder);
    void setAutoCopyAssets(bool copy);
    void setLanguage(const QString& code);

private:
    UserSettings() = default;
    void _resolveWorkingDir();
    // Every setter stores and marks the settings changed.
    template <typename T>
    void _store(T& field, const T& value)
    {
        field = value;
        _dirty = true;
    }

    bool _dirty = false;
    float _photoDuration = 2.0f;
    float _textDuration = 2.0f;
    float _drawingDuration = 2.0f;
    bool _dontApplyUserHabits = false;
    bool _dontAutoDragDropAlign = false;
    int _editorUI = 1;
    bool _hardwareCodec = true;
    QString _workingDir;
    bool _autoCopyAssets = false;
    QString _language;
};
