#pragma once
// The object table of one drawing: records 0..19 are reserved, objects follow
// from index 20 in creation order.

#include <cstdint>
#include <vector>

#include "model/dpoint.h"

// Indices of the reserved records.
namespace rec {
inline constexpr int kState = 0;         // interaction state and result register
inline constexpr int kSettings1 = 1;     // command name, conclusion, unit length, brush colour
inline constexpr int kSettings2 = 2;     // argument count, pen/fill settings, counters
inline constexpr int kFlags3 = 3;        // candidate choice, buttons, trace, driving point
inline constexpr int kLocusFirst = 4;    // lists of eight entries: 4..9
inline constexpr int kLocusSecond = 5;
inline constexpr int kLocusKind = 6;
inline constexpr int kDriverPoint = 7;
inline constexpr int kDriverPath = 8;
inline constexpr int kDriverSpeed = 9;
inline constexpr int kCandidate0 = 10;   // the two solutions of an intersection with a circle
inline constexpr int kCandidate1 = 11;
inline constexpr int kAnimation = 12;    // animation counters, a mouse position
inline constexpr int kMouse13 = 13;      // a second mouse position
inline constexpr int kRestoreFirst = 14; // restore stack 14..19
inline constexpr int kRestoreEnd = 20;   // one past the restore stack
inline constexpr int kFirstObject = 20;
inline constexpr int kReservedCount = 20;
inline constexpr int kNoConclusion = 1111;
inline constexpr int kSelfTraceMarker = 425;  // record 8 entry: driving point on a self-drawn trace
}  // namespace rec

class ObjectTable {
public:
    static constexpr int kInitialCapacity = 11;
    static constexpr int kGrowthStep = 10;

    // A drawing's table: the twenty reserved records, reset and preset.
    ObjectTable();
    // A table without any record (11 slots).
    static ObjectTable empty();

    // Writes the presets of the reserved records 0 to 3 and 12 and empties the
    // restore stack; colours are kept. Used at creation and when a drawing is cleared.
    void apply_reserved_presets();

    int count() const { return static_cast<int>(records_.size()); }
    // Capacity by the growth rule: 11 + 10k slots.
    int capacity() const { return capacity_; }
    bool contains(int k) const { return k >= 0 && k < count(); }

    // Appends a copy; returns its index.
    int append(const Dpoint& record);
    // Inserts a copy at k (0 <= k <= count), moving later records up; false when refused.
    bool insert(int k, const Dpoint& record);
    // Removes record k; later records move down. False when k is not a record.
    bool remove(int k);
    // Removes records from k to the end.
    void truncate(int new_count);

    // Record k, or a default record when k is not a record (the table does not grow).
    const Dpoint& operator[](int k) const { return contains(k) ? records_[k] : default_record(); }
    const Dpoint& get(int k) const { return (*this)[k]; }
    // Record k for writing. Past the count a write is refused: the reference is
    // a scratch record, reset at every such call, that belongs to no index.
    Dpoint& operator[](int k);
    Dpoint& at(int k) { return (*this)[k]; }
    // Copies a record over record k; false (and nothing written) when k is not a record.
    bool write(int k, const Dpoint& record);

    // --- State record (record 0) ---
    std::int32_t& pending_command() { return state().type; }
    char& next_name_letter() { return state().name[0]; }
    char& command_lock() { return state().name[1]; }
    char& current_block() { return state().name[3]; }
    char& block_count() { return state().name[4]; }
    std::int32_t& placing() { return state().shown; }
    std::int32_t& recompute() { return state().name_shown; }
    std::int32_t& state_label_style() { return state().label_style; }
    std::int32_t& action_state() { return state().arg[0]; }
    std::int32_t& outer_mode() { return state().arg[1]; }
    std::int32_t& dragged_index() { return state().arg[2]; }
    std::int32_t& record_count() { return state().arg[3]; }
    std::int32_t& new_index() { return state().arg[4]; }
    std::int32_t& picked_index() { return state().arg[5]; }
    std::int32_t& restore_top() { return state().arg[6]; }
    std::int32_t& name_suffix() { return state().arg[7]; }
    double& mouse_x() { return state().x; }
    double& mouse_y() { return state().y; }
    double& result_x() { return state().aux1.d; }
    double& result_y() { return state().aux2.d; }
    Colour& pen_colour() { return state().colour; }

    // --- Record 1 ---
    std::int32_t& conclusion_type() { return reserved(rec::kSettings1).type; }
    std::int32_t& from_clicks() { return reserved(rec::kSettings1).name_shown; }
    std::int32_t& repaint_switch() { return reserved(rec::kSettings1).label_style; }
    std::array<std::int32_t, 8>& conclusion_args() { return reserved(rec::kSettings1).arg; }
    double& print_scale() { return reserved(rec::kSettings1).aux1.d; }
    double& unit_length() { return reserved(rec::kSettings1).aux2.d; }
    Colour& brush_colour() { return reserved(rec::kSettings1).colour; }

    // --- Record 2 ---
    std::int32_t& command_arg_count() { return reserved(rec::kSettings2).type; }
    std::int32_t& new_points_show_names() { return reserved(rec::kSettings2).shown; }
    std::int32_t& expression_open() { return reserved(rec::kSettings2).name_shown; }
    std::int32_t& drag_moved() { return reserved(rec::kSettings2).label_style; }
    std::int32_t& pen_size_setting() { return reserved(rec::kSettings2).arg[0]; }
    std::int32_t& pen_style_setting() { return reserved(rec::kSettings2).arg[1]; }
    std::int32_t& fill_style_setting() { return reserved(rec::kSettings2).arg[2]; }
    std::int32_t& last_quantity() { return reserved(rec::kSettings2).arg[4]; }
    std::int32_t& open_brackets() { return reserved(rec::kSettings2).arg[5]; }
    std::int32_t& last_locus() { return reserved(rec::kSettings2).arg[6]; }
    std::int32_t& last_driver() { return reserved(rec::kSettings2).arg[7]; }
    double& static_unit() { return reserved(rec::kSettings2).aux1.d; }
    double& unit_segment_length() { return reserved(rec::kSettings2).aux2.d; }
    Colour& font_colour() { return reserved(rec::kSettings2).colour; }

    // --- Record 3 ---
    std::int32_t& no_choice_pending() { return reserved(rec::kFlags3).shown; }
    std::int32_t& button_down() { return reserved(rec::kFlags3).name_shown; }
    std::int32_t& leave_trace() { return reserved(rec::kFlags3).label_style; }
    std::int32_t& current_driver() { return reserved(rec::kFlags3).arg[0]; }
    std::int32_t& unit_segment_a() { return reserved(rec::kFlags3).arg[1]; }
    std::int32_t& unit_segment_b() { return reserved(rec::kFlags3).arg[2]; }

    // --- Records 4 to 9: entry k (0..7) of locus / driving point k ---
    std::int32_t& locus_object(int k) { return list_entry(rec::kLocusFirst, k); }
    std::int32_t& locus_second(int k) { return list_entry(rec::kLocusSecond, k); }
    std::int32_t& locus_kind(int k) { return list_entry(rec::kLocusKind, k); }
    std::int32_t& driver_point(int k) { return list_entry(rec::kDriverPoint, k); }
    std::int32_t& driver_path(int k) { return list_entry(rec::kDriverPath, k); }
    std::int32_t& driver_speed(int k) { return list_entry(rec::kDriverSpeed, k); }

    // --- Records 10, 11: candidates 0 and 1 ---
    Dpoint& candidate(int which) { return reserved(which == 0 ? rec::kCandidate0 : rec::kCandidate1); }

    // --- Record 12: animation counters ---
    std::int32_t& anim_direction() { return reserved(rec::kAnimation).shown; }
    std::int32_t& anim_recording() { return reserved(rec::kAnimation).name_shown; }
    std::int32_t& anim_step() { return reserved(rec::kAnimation).arg[2]; }
    std::int32_t& anim_steps() { return reserved(rec::kAnimation).arg[3]; }
    std::int32_t& anim_interval() { return reserved(rec::kAnimation).arg[4]; }

    // Unit length as the kernels use it: never below 0.001, never non-finite.
    double safe_unit_length() const;

private:
    struct EmptyTag {};
    explicit ObjectTable(EmptyTag) {}
    Dpoint& state() { return reserved(rec::kState); }
    Dpoint& reserved(int r) { return (*this)[r]; }
    std::int32_t& list_entry(int record, int k);
    void grow_to_hold(int index);
    static const Dpoint& default_record();

    std::vector<Dpoint> records_;
    int capacity_ = kInitialCapacity;
    Dpoint scratch_;
};
