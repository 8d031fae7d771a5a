; Minimal startup for the LPC2300: vectors, a stack, then main.
Stack_Size      EQU     0x00000400

                AREA    STACK, NOINIT, READWRITE, ALIGN=3
Stack_Mem       SPACE   Stack_Size
Stack_Top

                PRESERVE8
                AREA    RESET, CODE, READONLY
                ARM
Vectors         LDR     PC, Reset_Addr
                B       .
                B       .
                B       .
                B       .
                NOP
                B       .
                B       .
Reset_Addr      DCD     Reset_Handler

                EXPORT  Reset_Handler
Reset_Handler   LDR     SP, =Stack_Top
                IMPORT  __main
                LDR     R0, =__main
                BX      R0

                END
