/* libzindra as a C program meets it: built against the installed headers and
 * library through pkg-config (see c_api_test.py), with no C++ in sight.
 * Table rows of requests through both ways in, bad requests, the face list,
 * and several threads encoding at once with the answers of one thread. */

#include <zindra/zindra.h>

#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;

static void check(int ok, const char* what, const char* detail) {
    if (!ok) {
        ++failures;
        fprintf(stderr, "FAIL: %s: %s\n", what, detail ? detail : "");
    }
}

/* The answer to `json` contains each of the `wanted` texts. */
struct JsonRow {
    const char* json;
    const char* wanted[3];
};

static const struct JsonRow JsonRows[] = {
    {"{\"data\":\"CODE39\",\"checksum\":true}",
     {"\"font_string\":\"*CODE39W*\"", "\"face\":\"Tessary 39 d\"", "\"sample_size\":24"}},
    {"{\"data\":\"400638133393\",\"symbology\":\"ean\",\"variant\":2}",
     {"\"data_text\":\"400638133393\"", "\"magnification_percent\":102.626",
      "\"face\":\"Tessary EAN d\""}},
    {"{\"data\":\"03600029145\",\"symbology\":\"upc\"}", {"\"sample_size\":48", NULL}},
    {"{\"data\":\"N/A\",\"symbology\":\"i25\"}",
     {"{\"error\":\"Error, there are no digits to bar code\",\"data_text\":\"N/A\"}", NULL}},
    {"{\"data\":\"x\",\"symbology\":\"nope\"}",
     {"{\"error\":\"bad request: unknown symbology \\\"nope\\\"", NULL}},
    {"{\"data\":\"X\",\"point_size\":\"12.5\"}",
     {"\"error\":\"Error, the point size must be a whole number from 1 to 1638\"", NULL}},
    {"not json", {"{\"error\":\"bad request: not valid JSON\"}", NULL}},
    {"{\"data\":\"\xff\"}", {"{\"error\":\"bad request: ", NULL}},
    {"{}", {"{\"error\":\"bad request: \\\"data\\\" is missing\"}", NULL}},
};

static void json_rows(void) {
    for (size_t i = 0; i < sizeof JsonRows / sizeof JsonRows[0]; ++i) {
        char* answer = zindra_encode(JsonRows[i].json);
        check(answer != NULL, "zindra_encode answers", JsonRows[i].json);
        if (!answer) continue;
        for (int w = 0; w < 3 && JsonRows[i].wanted[w]; ++w)
            check(strstr(answer, JsonRows[i].wanted[w]) != NULL, JsonRows[i].wanted[w], answer);
        check(strchr(answer, '\n') == NULL, "one line", answer);
        zindra_free(answer);
    }
    char* none = zindra_encode(NULL);
    check(none && strcmp(none, "{\"error\":\"bad request: no request\"}") == 0, "NULL request",
          none);
    zindra_free(none);
}

/* The typed way in gives what the JSON way gives for the same request. */
static void typed_rows(void) {
    zindra_request request;
    zindra_request_init(&request);
    request.data = "1061414100001";
    request.symbology = ZINDRA_CODE128;
    request.variant = 4;
    request.font_type = ZINDRA_HUMAN;
    zindra_result* result = zindra_make(&request);
    check(result && result->ok, "SCC-14 encodes", result ? result->error : "");
    if (result) {
        check(strcmp(result->face, "Tessary Code 128C d") == 0, "SCC-14 face", result->face);
        check(strcmp(result->human_text, " (01) 1 06 14141 00001 9") == 0, "SCC-14 line",
              result->human_text);
        check(result->output_text_size == -1 && result->magnification_percent == -1,
              "no output text size, no magnification", NULL);
        check(strcmp(result->data_warning, "") == 0, "no data warning", result->data_warning);
        char* json = zindra_result_json(result);
        char* direct = zindra_encode("{\"data\":\"1061414100001\",\"symbology\":\"code128\","
                                     "\"variant\":4,\"font_type\":\"human\"}");
        check(json && direct && strcmp(json, direct) == 0, "typed JSON is the JSON answer", json);
        zindra_free(json);
        zindra_free(direct);
    }
    zindra_result_free(result);

    /* GS1-128: the AIs a label needs besides these, apart from the size's own warning. */
    zindra_request_init(&request);
    request.data = "(10)AB-123";
    request.symbology = ZINDRA_CODE128;
    request.variant = 7;
    result = zindra_make(&request);
    check(result && result->ok, "GS1-128 encodes", result ? result->error : "");
    if (result) {
        const char* pairing =
            "AI (10): the label needs (01) or (02) or (03) or (8006) or (8026) too";
        check(strcmp(result->data_warning, pairing) == 0, "GS1 data warning", result->data_warning);
        check(strstr(result->warning, "GS1 logistics labels; ") != NULL, "size warning first",
              result->warning);
    }
    zindra_result_free(result);

    /* Refusals of values outside the enums and of bad UTF-8, never a crash. */
    const struct {
        int symbology, font_type, variant;
        char size;
        const char* data;
        const char* error;
    } bad[] = {
        {42, ZINDRA_STANDARD, 1, 'D', "X", "bad request: \"symbology\" is not a zindra_symbology"},
        {-1, ZINDRA_STANDARD, 1, 'D', "X", "bad request: \"symbology\" is not a zindra_symbology"},
        {ZINDRA_CODE39, 7, 1, 'D', "X", "bad request: \"font_type\" is not a zindra_font_type"},
        {ZINDRA_CODE39, ZINDRA_STANDARD, 8, 'D', "X",
         "bad request: the variant must be a whole number from 1 to 7"},
        {ZINDRA_CODE39, ZINDRA_STANDARD, 1, 'G', "X",
         "bad request: unknown size \"G\" (one letter A to F)"},
        {ZINDRA_CODE39, ZINDRA_STANDARD, 1, 'D', "\xc3(", "bad request: invalid UTF-8 in \"data\""},
    };
    for (size_t i = 0; i < sizeof bad / sizeof bad[0]; ++i) {
        zindra_request_init(&request);
        request.symbology = bad[i].symbology;
        request.font_type = bad[i].font_type;
        request.variant = bad[i].variant;
        request.size = bad[i].size;
        request.data = bad[i].data;
        result = zindra_make(&request);
        check(result && !result->ok && strcmp(result->error, bad[i].error) == 0, bad[i].error,
              result ? result->error : "NULL");
        zindra_result_free(result);
    }
    /* Data with a NUL byte of its own is taken whole and handed back whole. */
    zindra_request_init(&request);
    request.data = "AB\0C";
    request.data_length = 4;
    result = zindra_make(&request);
    check(result && !result->ok && result->data_text_length == 4 &&
              memcmp(result->data_text, "AB\0C", 5) == 0 &&
              result->error_length > strlen(result->error),
          "NUL in the data: refused by Code 39, quoted in the message",
          result ? result->error : "");
    zindra_result_free(result);

    result = zindra_make(NULL);
    check(result && !result->ok, "NULL typed request", NULL);
    zindra_result_free(result);

    zindra_request_init(&request);
    check(zindra_request_set(&request, "symbology", "upc") == NULL &&
              request.symbology == ZINDRA_UPC,
          "set a symbology by name", NULL);
    char* why = zindra_request_set(&request, "size", "Z");
    check(why && strcmp(why, "unknown size \"Z\" (one letter A to F)") == 0, "refuse a size", why);
    check(request.size == 'D', "a refused word changes nothing", NULL);
    zindra_free(why);
    check(strcmp(zindra_symbology_name(ZINDRA_POSTNET), "postnet") == 0 &&
              zindra_symbology_name(8) == NULL && zindra_font_type_name(3) == NULL,
          "names", NULL);
    check(strcmp(zindra_default_point_size(ZINDRA_UPC), "48") == 0 &&
              strcmp(zindra_default_point_size(ZINDRA_POSTNET), "18") == 0,
          "usual point sizes", NULL);
}

static void faces(void) {
    zindra_face face;
    check(zindra_face_count() == 106, "one hundred and six faces", NULL);
    check(zindra_face_at(0, &face) && face.name && face.module_em > 0, "first face", NULL);
    check(!zindra_face_at(106, &face) && !zindra_face_at(-1, &face), "no face past the end", NULL);
}

/* Each thread answers every request of the round and keeps its answers. */
enum { Threads = 8, Requests = 64 };
static char* answers[Threads][Requests];

static const char* RequestAt(int i, char* buffer, size_t size) {
    static const char* const symbologies[] = {"i25",     "code39", "code93",  "code128",
                                              "codabar", "ean",    "postnet", "upc"};
    snprintf(buffer, size, "{\"data\":\"%d0%d\",\"symbology\":\"%s\",\"variant\":%d,\"sums\":true}",
             i * 7919, i, symbologies[i % 8], 1 + i % 3);
    return buffer;
}

static void* encode_all(void* arg) {
    const int thread = (int)(size_t)arg;
    char request[128];
    for (int round = 0; round < 20; ++round)
        for (int i = 0; i < Requests; ++i) {
            zindra_free(answers[thread][i]);
            answers[thread][i] = zindra_encode(RequestAt(i, request, sizeof request));
        }
    return NULL;
}

static void threads(void) {
    pthread_t ids[Threads];
    for (int t = 0; t < Threads; ++t)
        pthread_create(&ids[t], NULL, encode_all, (void*)(size_t)t);
    for (int t = 0; t < Threads; ++t)
        pthread_join(ids[t], NULL);
    char request[128];
    for (int i = 0; i < Requests; ++i) {
        char* alone = zindra_encode(RequestAt(i, request, sizeof request));
        for (int t = 0; t < Threads; ++t) {
            check(answers[t][i] && alone && strcmp(answers[t][i], alone) == 0,
                  "the same answer in every thread", request);
            zindra_free(answers[t][i]);
        }
        zindra_free(alone);
    }
}

int main(void) {
    check(strcmp(zindra_version(), ZINDRA_EXPECTED_VERSION) == 0, "version", zindra_version());
    json_rows();
    typed_rows();
    faces();
    threads();
    if (failures) fprintf(stderr, "%d failed\n", failures);
    return failures ? 1 : 0;
}
