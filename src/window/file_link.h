#pragma once
// Hands a DrawingServices provider's file, export and printing members on to
// one FileServices. Works on top of any provider class:
//   WithFiles<WithScriptManager<ConstructionServices>> services(files, ...);

#include <string>
#include <utility>

#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/file_services.h"

template <class Base>
class WithFiles : public Base {
public:
    template <typename... Args>
    explicit WithFiles(FileServices& files, Args&&... args) : Base(std::forward<Args>(args)...), files_(files)
    {
    }

    bool provides(CommandHandler handler) const override
    {
        switch (handler) {
        case CommandHandler::FigSave:
        case CommandHandler::FigSaveAs:
        case CommandHandler::SavePs:
        case CommandHandler::SaveBitmap:
        case CommandHandler::Print:
        case CommandHandler::PrinterSetup:
        case CommandHandler::PrintPreview: return true;
        default: return Base::provides(handler);
        }
    }

    // A window whose file could not be read keeps nothing of that file: it is
    // saved under a name asked for, never over the file it failed to read.
    bool fig_read(Dchild& win, const std::string& path) override
    {
        if (files_.fig_read(win, path))
            return true;
        win.untitled = 1;
        return false;
    }
    // An untitled drawing is saved through Save As, so its name may change here too.
    bool fig_save(Dchild& win) override
    {
        const bool saved = files_.fig_save(win);
        if (saved) this->saved_as(win);
        return saved;
    }
    bool fig_save_as(Dchild& win) override
    {
        const bool saved = files_.fig_save_as(win);
        if (saved) this->saved_as(win);
        return saved;
    }
    void save_ps(Dchild& win) override { files_.save_ps(win); }
    void save_bitmap(Dchild& win) override { files_.save_bitmap(win); }
    void print(Dchild& win) override { files_.print(win); }
    void printer_setup(Dchild& win) override { files_.printer_setup(win); }
    void print_preview(Dchild& win) override { files_.print_preview(win); }

private:
    FileServices& files_;
};
