/* Runs profile operation scripts through the real GetPrivateProfileStringA and
 * WritePrivateProfileStringA, so that zentavoro-ini can be held against them.
 *
 * Usage: winini.exe FILE < SCRIPT   (FILE: a full Windows path)
 *
 * One operation a line, fields separated by one TAB, bytes taken as they are:
 *   get SECTION KEY DEFAULT BUFSIZE  -> ret=N TAB value in hex
 *   set SECTION KEY VALUE            -> ok=1 / ok=0
 *   raw HEX                          -> replaces the whole file; prints raw
 *   dump                             -> the whole file in hex, or missing
 *   readonly                         -> makes the file read-only; prints readonly
 */
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_FIELDS 8

static const char *file_name;

/* The profile functions keep the last files parsed; the script replaces the file behind
 * their back, so the cache is dropped before every operation. */
static void forget_cached_profile(void)
{
    WritePrivateProfileStringA(NULL, NULL, NULL, file_name);
}

static void put_hex(const unsigned char *bytes, size_t count)
{
    size_t i;
    for (i = 0; i < count; i++) printf("%02x", bytes[i]);
}

static int hex_digit(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static void do_get(char **field, int count)
{
    unsigned long size;
    char *buffer;
    DWORD ret;
    if (count < 5) { printf("error\n"); return; }
    size = strtoul(field[4], NULL, 10);
    buffer = calloc(size + 1, 1);
    ret = GetPrivateProfileStringA(field[1], field[2], field[3], buffer, (DWORD)size, file_name);
    printf("ret=%lu\t", (unsigned long)ret);
    put_hex((const unsigned char *)buffer, size ? strnlen(buffer, size) : 0);
    printf("\n");
    free(buffer);
}

static void do_set(char **field, int count)
{
    BOOL ok;
    if (count < 4) { printf("error\n"); return; }
    ok = WritePrivateProfileStringA(field[1], field[2], field[3], file_name);
    printf("ok=%d\n", ok ? 1 : 0);
}

static void do_raw(char **field, int count)
{
    const char *hex = count > 1 ? field[1] : "";
    size_t length = strlen(hex) / 2, i;
    unsigned char *bytes = malloc(length + 1);
    FILE *out;
    for (i = 0; i < length; i++)
        bytes[i] = (unsigned char)(hex_digit(hex[2 * i]) * 16 + hex_digit(hex[2 * i + 1]));
    out = fopen(file_name, "wb");
    if (out) {
        fwrite(bytes, 1, length, out);
        fclose(out);
        printf("raw\n");
    } else {
        printf("raw failed\n");
    }
    free(bytes);
}

static void do_dump(void)
{
    FILE *in = fopen(file_name, "rb");
    int c;
    if (!in) { printf("missing\n"); return; }
    while ((c = fgetc(in)) != EOF) printf("%02x", c);
    printf("\n");
    fclose(in);
}

int main(int argc, char **argv)
{
    static char line[1 << 16];
    if (argc != 2) {
        fprintf(stderr, "usage: winini FILE < SCRIPT\n");
        return 2;
    }
    file_name = argv[1];
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);

    while (fgets(line, sizeof line, stdin)) {
        char *field[MAX_FIELDS];
        int count = 0;
        size_t length = strlen(line);
        char *p;
        if (length && line[length - 1] == '\n') line[--length] = 0;
        if (length && line[length - 1] == '\r') line[--length] = 0;
        field[count++] = line;
        for (p = line; *p && count < MAX_FIELDS; p++) {
            if (*p == '\t') {
                *p = 0;
                field[count++] = p + 1;
            }
        }
        forget_cached_profile();
        if (!strcmp(field[0], "get")) do_get(field, count);
        else if (!strcmp(field[0], "set")) do_set(field, count);
        else if (!strcmp(field[0], "raw")) do_raw(field, count);
        else if (!strcmp(field[0], "dump")) do_dump();
        else if (!strcmp(field[0], "readonly"))
            printf(SetFileAttributesA(file_name, FILE_ATTRIBUTE_READONLY) ? "readonly\n" : "readonly failed\n");
        else printf("error\n");
        fflush(stdout);
    }
    return 0;
}
