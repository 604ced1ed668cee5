/* Test control of the simulated GPIB driver library (libnqsimgpib.so). The memories live in
 * a state folder (NQSIM_STATE_DIR, by default "nqsim" under $XDG_RUNTIME_DIR or
 * "/tmp/nqsim-<uid>"): every completed store and nqsim_load_memory saves one, every ibdev loads
 * them, so they outlive the library. A test opens the library itself and keeps it open, so
 * the log of writes outlives the loads and unloads of the code under test, and points
 * NQSIM_STATE_DIR at a folder of its own.
 *
 * Faults and the identification line can also come from the environment, read at every
 * ibdev: NQSIM_FAULT (a fault name below) and NQSIM_IDN. Values set through these functions
 * win over the environment until nqsim_reset. */
#pragma once
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Power-on state: memories zeroed (their files removed), no fault, default identity, empty
 * write log. */
void nqsim_reset(void);
/* "none", "silent", "err_ibdev", "err_ibclr", "err_ibwrt", "err_ibrd", "garbage_idn",
 * "one_field_idn", "no_ack", "short_block", "hash7", "bad_count", "corrupt_store" (a stored
 * block keeps its middle byte inverted). 0, or -1 for an unknown name. */
int nqsim_set_fault(const char* name);
/* One-shot faults on a single call, counted since the last reset; several can be armed at once
 * and each fires once:
 *   "ibwrt", "ibrd"  the nth call (from 1) of that entry point fails with ERR, moving nothing;
 *   "ack_refused"    the nth "*OPC?" (from 1, either case) is answered "+0";
 *   "ack_silent"     the nth "*OPC?" goes unanswered, so its read times out;
 *   "store_byte"     the write that carries data byte n (from 0) of a block being stored
 *                    fails part-way: the bytes before n arrive, ibcnt counts them, ERR is set;
 *   "fetch_byte"     the same for the read that carries data byte n of a block being read.
 * 0, or -1 for an unknown kind or a count out of range. */
int nqsim_inject(const char* kind, long n);
/* The "*IDN?" answer without delimiter; NULL restores the default. */
void nqsim_set_identity(const char* line);

/* Byte counts of every ibwrt since the last reset, in order. */
size_t nqsim_write_count(void);
long nqsim_write_size(size_t index);

/* A memory holds the last block stored into it, whatever its length (32768 zero bytes at
 * power-on). Copies memory n (0..3) out, at most size bytes, or replaces it with size bytes;
 * returns the bytes copied or -1. */
long nqsim_read_memory(int n, unsigned char* out, size_t size);
long nqsim_load_memory(int n, const unsigned char* data, size_t size);
/* The byte count of memory n, or -1. */
long nqsim_memory_size(int n);

/* The arguments of the last ibdev (board, pad, sad, tmo, eot, eos), the last ibtmo code and
 * whether the device is online (between ibdev and ibonl 0). */
void nqsim_ibdev_args(int args[6]);
int nqsim_timeout_code(void);
int nqsim_online(void);

typedef void (*nqsim_reset_fn)(void);
typedef int (*nqsim_set_fault_fn)(const char*);
typedef void (*nqsim_set_identity_fn)(const char*);
typedef int (*nqsim_inject_fn)(const char*, long);
typedef size_t (*nqsim_write_count_fn)(void);
typedef long (*nqsim_write_size_fn)(size_t);
typedef long (*nqsim_read_memory_fn)(int, unsigned char*, size_t);
typedef long (*nqsim_load_memory_fn)(int, const unsigned char*, size_t);
typedef long (*nqsim_memory_size_fn)(int);
typedef void (*nqsim_ibdev_args_fn)(int*);
typedef int (*nqsim_int_fn)(void);

#ifdef __cplusplus
}
#endif
