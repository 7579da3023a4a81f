#include "window/app_services.h"

#include "construct/attribute_dialogs.h"
#include "paint/points_draw.h"

AppServices::AppServices(const UiServices& ui, const AppDialogs& dialogs)
    : ui_(ui),
      animation_(dialogs.calculators ? dialogs.calculators : qt_calculator_factory()),
      script_link_(*ui_.message_boxes, *dialogs.objects, *dialogs.colours, *dialogs.fonts),
      files_(*dialogs.printing, &animation_),
      drawing_(animation_, files_, script_link_, dialogs.objects)
{
    // "Font Size" replaces the name font of every drawing.
    script_link_.on_name_font = [](const Font& font) { set_label_font(font); };
    drawing_.prover_ui = &ui_;
    drawing_.prover_predicates = dialogs.prover_predicates;
    drawing_.prover_printing = dialogs.prover_printing;
    init_font_data();
}

AppServices::~AppServices()
{
    release_font_data();
    reset_label_font();
}

QtAppDialogs::QtAppDialogs(const UiServices& ui)
    : font_chooser_(label_font()),
      object_dialogs_(DialogServices{ui.message_boxes, &colour_chooser_, [help = ui.help](int context) {
                                         if (help)
                                             help->show_context(context);
                                     }})
{
}

AppDialogs QtAppDialogs::dialogs()
{
    AppDialogs d;
    d.objects = &object_dialogs_;
    d.colours = &colour_chooser_;
    d.fonts = &font_chooser_;
    d.printing = &print_dialogs_;
    return d;
}
