/* The mouse and the arrow keys on the image window (being written). */
