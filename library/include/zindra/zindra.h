/* libzindra: font strings for the Zindra bar-code faces.
 *
 * In the Zindra faces every bar pattern is a glyph, so a bar code is printed
 * by setting the right characters in the right face. This library turns data
 * and a symbology's choices into those characters (the font string), names
 * the face to set them in and says how big the bar code prints.
 *
 * Two ways in, with the same answers:
 *   - zindra_encode() takes one request as a JSON object and answers with a
 *     JSON object: exactly what `zindra-encode --requests` reads and prints
 *     for one line.
 *   - zindra_make() takes a zindra_request struct and gives a zindra_result
 *     struct, for C and C++ callers that want no JSON.
 *
 * All text is UTF-8, in and out. Every function may be called from any number
 * of threads at once: the library keeps no mutable state. No function aborts,
 * throws or reads past a terminating NUL on bad input; bad requests come back
 * as errors. Only out of memory makes zindra_encode() and zindra_make()
 * return NULL.
 */
#ifndef ZINDRA_ZINDRA_H
#define ZINDRA_ZINDRA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The library's version, "7.0". */
const char* zindra_version(void);

/* Answers one request. `request_json` is a JSON object with "data" (a string)
 * and any of "symbology" ("i25" | "code39" | "code93" | "code128" |
 * "codabar" | "ean" | "postnet" | "upc"), "variant" (1 to 7), "font_type"
 * ("standard" | "human" | "itf14"), "size" ("A" to "F"), "checksum",
 * "option2", "sums" (true or false), "point_size" and "extra" (strings).
 * Absent keys take the defaults of zindra_request_init(); without
 * "point_size" the symbology's usual size is taken. Any other key is the
 * caller's own ("id": "row-7") and comes back at the end of the answer; but
 * one that names a field of an answer, or reads as a known key but for case,
 * "_" and "-" ("checkSum"), makes a bad request.
 *
 * The answer is one JSON object on one line, without a line feed:
 *   {"font_string", "sums_text", "bar_text_out", "sample_text",
 *    "sample_size", "output_text_size", "human_text", "face",
 *    "x_dimension_mm", "width_mm", "height_mm", "magnification_percent",
 *    "warning", "data_text"} when the data encodes,
 *   {"error", "data_text"} when it does not, and
 *   {"error": "bad request: ..."} when the request itself is wrong.
 * Free it with zindra_free(). NULL request_json is a bad request. */
char* zindra_encode(const char* request_json);

/* Frees what zindra_encode(), zindra_result_json() and zindra_request_set()
 * return. NULL is allowed. */
void zindra_free(char* text);

/* The symbologies, in the order of the window's buttons. */
typedef enum zindra_symbology {
    ZINDRA_I25 = 0, /* Interleaved 2 of 5 and ITF-14 */
    ZINDRA_CODE39 = 1,
    ZINDRA_CODE93 = 2,
    ZINDRA_CODE128 = 3, /* subsets A, B, C, SCC-14, SSCC-18 */
    ZINDRA_CODABAR = 4,
    ZINDRA_EAN = 5, /* EAN-8, EAN-13, Bookland */
    ZINDRA_POSTNET = 6,
    ZINDRA_UPC = 7 /* UPC-A and UPC-E, with supplements */
} zindra_symbology;

typedef enum zindra_font_type {
    ZINDRA_STANDARD = 0,
    ZINDRA_HUMAN = 1, /* human readable; under UPC, UPC-E */
    ZINDRA_ITF14 = 2  /* Interleaved 2 of 5 only */
} zindra_font_type;

/* One request. Strings are borrowed for the call only; NULL is "". The
 * choices of the enums are held as int, so that any value a caller puts there
 * is one the library can check and refuse. */
typedef struct zindra_request {
    const char* data;
    size_t data_length;     /* its length in bytes, NUL bytes included;
                               0: data runs to its terminating NUL */
    int symbology;          /* a zindra_symbology */
    int variant;            /* 1 to 7: the variant button; Code 128 Auto 6, GS1-128 7 */
    int font_type;          /* a zindra_font_type */
    char size;              /* 'A' to 'F': the bar height of the face */
    int checksum;           /* nonzero: the optional check character */
    int option2;            /* nonzero: the symbology's second option (UCC/EAN, ...) */
    int sums;               /* nonzero: the checksum line of Code 93 and Code 128 */
    const char* point_size; /* the point size as text, as the window's box holds it
                               ("24"), to its NUL; NULL: the symbology's usual size */
    const char* extra;      /* the supplement or the Bookland price */
    size_t extra_length;    /* as data_length */
} zindra_request;

/* Fills `request` with the defaults: no data, Code 39, variant 1, standard,
 * size D, every option off, the usual point size, no extra. */
void zindra_request_init(zindra_request* request);

/* Sets the choice `key` ("symbology", "font_type", "size" or "variant") of
 * `request` from its name as a request object or the command line gives it
 * ("code128", "human", "E", "2"). Returns NULL when it did, otherwise why not
 * (free it with zindra_free()); the request is then unchanged. */
char* zindra_request_set(zindra_request* request, const char* key, const char* value);

/* The name zindra_request_set() and zindra_encode() take for a symbology or
 * font type ("code128", "human"); NULL for a value outside the enum. */
const char* zindra_symbology_name(int symbology);
const char* zindra_font_type_name(int font_type);

/* The point size a symbology is set at unless the request gives one ("24"). */
const char* zindra_default_point_size(int symbology);

/* The answer to one request. Every string is valid UTF-8, ends with a NUL and
 * is never NULL; the result owns them until zindra_result_free(). The data
 * (and so a message that quotes it) may hold NUL characters of its own: their
 * lengths say where they end. */
typedef struct zindra_result {
    int ok;                       /* nonzero: the data encoded */
    const char* error;            /* why not; "" when ok */
    const char* data_text;        /* the data after Make (Bookland writes back its digits) */
    const char* font_string;      /* the characters to set in `face` */
    const char* sums_text;        /* the checksum line, when asked for */
    const char* bar_text_out;     /* font_string followed by sums_text */
    const char* sample_text;      /* what the window's sample shows */
    const char* human_text;       /* the SCC-14 / SSCC-18 human-readable line */
    const char* face;             /* the face to set the font string in */
    const char* warning;          /* a plain warning on the printed size; "" when none */
    int sample_size;              /* the point size the sample is set at */
    int output_text_size;         /* Code 93's output text size; -1 when there is none */
    double x_dimension_mm;        /* the narrow bar at sample_size */
    double width_mm;              /* the symbol with its quiet zones */
    double height_mm;             /* the top of the bars to the foot of the text */
    double magnification_percent; /* EAN and UPC: X against 0.33 mm; -1 for the others */
    size_t error_length;          /* the bytes of error, before its terminating NUL */
    size_t data_text_length;      /* the bytes of data_text, likewise */
    /* Newer than the fields above, so it comes last: the part of `warning` that
     * is about the data, not the size (a GS1-128 symbol's AIs that a label needs
     * with it); "" when none. */
    const char* data_warning;
} zindra_result;

/* Encodes one request. The numbers of a failed result are 0 (and -1 where
 * -1 means none), its strings "" but for error and data_text. A request
 * outside the enums, or with a string that is not UTF-8, gives a failed
 * result that says so. NULL only when out of memory. */
zindra_result* zindra_make(const zindra_request* request);

/* The result as zindra_encode() would answer it. Free it with zindra_free(). */
char* zindra_result_json(const zindra_result* result);

/* Frees a result of zindra_make(). NULL is allowed. */
void zindra_result_free(zindra_result* result);

/* One face of the Zindra set, with its geometry. Heights are in modules of
 * the face's symbology (the narrow bar); one module is module_em of an em. */
typedef struct zindra_face {
    const char* name;             /* "Tessary 39 d HR": the family to set font strings in */
    int symbology;                /* the zindra_symbology whose bars it draws */
    char size;                    /* 'a' to 'f', the size letter; 0 for the one PostNet face */
    int human_readable;           /* nonzero: it prints the text under the bars */
    double module_em;             /* one module in em */
    double quiet_zone_modules;    /* the quiet zone each side that the symbology asks for */
    double min_x_mm;              /* the smallest X-dimension that scans reliably */
    double max_x_mm;              /* the largest usual X-dimension; 0 when there is none */
    double bar_modules;           /* the bar height */
    double bearer_modules;        /* bearer bar thickness; 0 without bearers */
    double text_drop_modules;     /* the foot of the bars to the text baseline; 0 without text */
    double guard_descent_modules; /* how far EAN/UPC guard bars reach below the others */
    double height_em;             /* one printed line of the face, top of the bars to the
                                     foot of the text */
} zindra_face;

/* The number of faces, and the face at `index` (0 to count - 1): returns
 * nonzero and fills `face` when there is one. The names live as long as the
 * library is loaded. */
int zindra_face_count(void);
int zindra_face_at(int index, zindra_face* face);

/* Answers a request object whose absent keys take the values of `defaults`
 * rather than those of zindra_request_init(): what `zindra-encode --requests`
 * does with the choices of its command line. NULL defaults are the defaults. */
char* zindra_encode_over(const zindra_request* defaults, const char* request_json);

#ifdef __cplusplus
}
#endif

#endif /* ZINDRA_ZINDRA_H */
