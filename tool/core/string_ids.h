/* The numbers of the tool's texts in its Windows string table. The resource
 * compiler reads this file as well, so it holds only macros. A result code's
 * text has the code as its number, a country's name 2000 plus its id. */
#pragma once

#define ZELVO_IDS_COUNTRY_BASE 2000
#define ZELVO_IDS_CANNOT_CREATE_REGISTRY 200
#define ZELVO_IDS_CANNOT_WRITE_REGISTRY 201
