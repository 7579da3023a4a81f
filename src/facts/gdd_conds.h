#pragma once
// Conditions: the new-condition queue that announces new or changed records to
// the forward chaining, the current reason list a rule pushes its premises on,
// and the merge reason list the merges record their reasons in.
//
// Every condition comes from the database's own pool. Conditions that a
// record took as reasons stay valid until the next free_gdd / init_gdd, since
// they are the proof, and so do those a full-angle proof step keeps
// (keep_co_db); any other premise popped off the current reason list before
// a record was born to take it goes back to the pool at once. The full-angle
// method, which never takes up the queue, queues nothing.

#include <cstddef>
#include <cstdint>

#include "facts/gdd_records.h"

// A zero-filled condition from the pool, linked nowhere.
Gdd_cond* alloc_cond();
// Gives a condition taken off the queue back to the pool. Only for queue
// conditions: premises may be the reasons of a fact.
void release_cond(Gdd_cond* c);
// Conditions the pool holds, in use or spare.
std::size_t cond_pool_size();

// A condition of that type for obj appended at the end of the queue, also
// while the full-angle method builds.
Gdd_cond* new_cond(std::int32_t type, void* obj);
// Appends a condition of that type for rec at the end of the queue (none
// while the full-angle method builds: null).
Gdd_cond* queue_cond(std::int32_t type, void* rec);
// A parallel (kCondPara) condition for P pushed at the front of the queue.
void queue_pline(Gdd_pline* P);
// Takes the first condition off the queue (null when empty).
Gdd_cond* take_cond();
// Empties the queue (its conditions go back to the pool).
void clear_queue();
// Same type and same object.
bool cond_eq(const Gdd_cond* c1, const Gdd_cond* c2);
// When the condition just appended equals one queued earlier, the queue's end
// mark moves back one, so that the next appended condition takes its place.
// The queue counts its conditions by type and object, so this takes no walk.
void fix_queue_tail();

// Builds a premise (after the proof-time check), normalises it, notes the
// record that holds it now in its obj and pushes it on the current reason
// list.
Gdd_cond* add_codb(std::int32_t type, int p1, int p2, int p3, int p4 = 0,
                   int p5 = 0, int p6 = 0, int p7 = 0, int p8 = 0);
// The current reason list, handed to a holder that is not a record (a
// full-angle proof step cites it): its conditions stay until the database is
// freed, however the list is popped afterwards.
Gdd_cond* keep_co_db();
// Pops the current reason list; the condition goes back to the pool when no
// record can hold it.
void next_cond();
// Empties the current reason list, as next_cond does.
void clear_co_db();
// A zero-filled condition of that type pushed on the merge reason list; the
// caller sets obj.
Gdd_cond* new_co(std::int32_t type);
// A merge condition of that type naming rec.
Gdd_cond* new_co(std::int32_t type, void* rec);
// add_codb, then the condition is moved to the merge reason list.
Gdd_cond* add_codb2(std::int32_t type, int p1, int p2, int p3, int p4 = 0,
                    int p5 = 0, int p6 = 0, int p7 = 0, int p8 = 0);
// Empties the merge reason list (its conditions stay, they are reasons).
void clear_merge_db();

// Premises written with lines name each line by its first two points.
Gdd_cond* add_codb_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2);
Gdd_cond* add_codb_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2,
                      const Gdd_line* l3, const Gdd_line* l4);
Gdd_cond* add_codb2_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2);
Gdd_cond* add_codb2_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2,
                       const Gdd_line* l3, const Gdd_line* l4);
